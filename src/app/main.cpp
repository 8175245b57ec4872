// dialwright: the gauge editor and player.
#include "app/StartUp.h"

int main(int argc, char** argv) {
    return dw::RunDialwright(argc, argv);
}
