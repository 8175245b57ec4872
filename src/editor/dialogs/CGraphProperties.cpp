#include "editor/dialogs/CGraphProperties.h"

#include "editor/dialogs/DialogText.h"
#include "editor/dialogs/ScriptTypingAids.h"
#include "files/AttributeCodec.h"
#include "files/Paths.h"
#include "render/ImageFiles.h"
#include "render/ImageLoading.h"
#include "ui_CGraphProperties.h"

namespace dw::dialogs {

namespace {
constexpr char kSizeTitle[] = "Change element size";
constexpr char kSizeText[] =
    "The image you selected has diferent size than the element.\r\n\r\nDo you want change the "
    "element size to fit the image?";
}  // namespace

CGraphProperties::CGraphProperties(const DialogContext& ctx, QWidget* parent)
    : QDialog(parent), context(ctx), ui(std::make_unique<Ui::CGraphProperties>()) {
    ui->setupUi(this);
    ui->common->Setup(context);
    ui->scriptTabs->addTab(QStringLiteral("ZEKO Change"));
    ui->scriptTabs->addTab(QStringLiteral("Mouse Click"));
    ui->scriptTabs->setExpanding(false);
    ui->scriptTabs->setDrawBase(false);
    aids = new ScriptTypingAids(ui->scriptEdit, context);
    connect(ui->scriptTabs, &QTabBar::currentChanged, this, &CGraphProperties::OnTabChanged);
    connect(ui->fileButton, &QToolButton::clicked, this, &CGraphProperties::ChooseImage);
    SetValues(ImageProperties{});
}

CGraphProperties::~CGraphProperties() = default;

void CGraphProperties::SetValues(const ImageProperties& values) {
    ui->common->Show(values);
    SetField(ui->fileEdit, values.file);
    programs[0] = values.program;
    programs[1] = values.clickProgram;
    ui->scriptTabs->setCurrentIndex(0);
    shownTab = 0;
    aids->SetText(programs[0]);
}

ImageProperties CGraphProperties::Values() const {
    ImageProperties values;
    ui->common->Read(values);
    values.file = FieldText(ui->fileEdit);
    values.program = shownTab == 0 ? aids->Text() : programs[0];
    values.clickProgram = shownTab == 1 ? aids->Text() : programs[1];
    return values;
}

void CGraphProperties::OnTabChanged(int index) {
    if (index < 0 || index > 1 || index == shownTab) return;
    programs[shownTab] = aids->Text();
    shownTab = index;
    aids->SetText(programs[shownTab]);
}

void CGraphProperties::ChooseImage() {
    if (context.ui == nullptr) return;
    const std::string current = FieldText(ui->fileEdit);
    const std::optional<std::string> chosen =
        ChooseImageFile(current.empty() ? current : ResolveStoredPath(current), *context.ui);
    if (!chosen) return;
    const QImage picture = DecodeImageFile(ResolveStoredPath(*chosen));
    SetField(ui->fileEdit, *chosen);
    if (picture.isNull()) return;
    QLineEdit* w = ui->common->WidthField();
    QLineEdit* h = ui->common->HeightField();
    if (picture.width() == FieldInt(w) && picture.height() == FieldInt(h)) return;
    if (context.ui->Message(kSizeTitle, kSizeText, Icon::Question, Buttons::YesNo) == Answer::Yes) {
        SetField(w, FormatInt(picture.width()));
        SetField(h, FormatInt(picture.height()));
    }
}

}  // namespace dw::dialogs
