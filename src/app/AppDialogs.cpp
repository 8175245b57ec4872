#include "app/AppDialogs.h"

#include "app/CPathConfigDlg.h"
#include "app/CZekoConfig.h"
#include "editor/dialogs/CGaugeProperties.h"

namespace dw {

namespace {

class AppDialogs : public IEditorDialogs {
public:
    explicit AppDialogs(const DialogContext& ctx) : context(ctx) {}

    bool EditGaugeProperties(GaugePropertiesValues& values) override {
        dialogs::CGaugeProperties dialog(context, context.parent);
        dialog.SetValues(values);
        if (dialog.exec() != QDialog::Accepted) return false;
        values = dialog.Values();
        return true;
    }

    bool ConfigureServerLinks(GaugeLink& link1, GaugeLink& link2) override {
        CZekoConfig dialog(context, context.parent);
        dialog.SetLinks(link1, link2);
        if (dialog.exec() != QDialog::Accepted) return false;
        link1 = dialog.Link(0);
        link2 = dialog.Link(1);
        return true;
    }

    void ConfigurePaths() override {
        CPathConfigDlg dialog(context, context.parent);
        dialog.exec();
    }

private:
    DialogContext context;
};

}  // namespace

std::unique_ptr<IEditorDialogs> CreateEditorDialogs(const DialogContext& context) {
    return std::make_unique<AppDialogs>(context);
}

}  // namespace dw
