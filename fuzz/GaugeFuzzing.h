#pragma once
// The start of the fuzz targets that build whole gauges: Qt without a screen, every element
// kind, and a drawing budget that stays within the fuzzer's memory limit.
#include <QGuiApplication>

#include "model/ElementFactory.h"
#include "model/SurfaceBudget.h"
#include "runtime/ElementKinds.h"

inline void StartGaugeFuzzing(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    dw::RegisterAllKinds(dw::ElementFactory::Instance());
    dw::SurfaceBudget::Instance().SetLimit(64LL * 1024 * 1024);
}
