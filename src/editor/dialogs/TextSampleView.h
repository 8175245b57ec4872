#pragma once
// The sample frame of the text properties dialog: "TEXT SAMPLE" in the chosen font, text
// colour and background colour.
#include <QFrame>

#include "platform/Interaction.h"
#include "render/TextFont.h"

namespace dw::dialogs {

inline constexpr char kTextSample[] = "TEXT SAMPLE";

class TextSampleView : public QFrame {
    Q_OBJECT
public:
    explicit TextSampleView(QWidget* parent = nullptr);

    void SetSample(const FontDescription& font, Colour text, Colour background);

    const FontDescription& SampleFont() const { return font; }
    Colour TextColour() const { return textColour; }
    Colour BackgroundColour() const { return backColour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FontDescription font;
    Colour textColour = 0xFFFFFF;
    Colour backColour = 0;
};

}  // namespace dw::dialogs
