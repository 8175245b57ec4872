#pragma once
// The drawing objects the editor window shares with every element for its editor frame:
// a dotted pen of width 1 in the inverse of the background colour (the rubber band), and
// white, red and blue pens of width 2 and a blue brush (the selection frame and the resize
// square). The window creates one set, re-creates the dotted pen when the background
// changes, and hands the set to its elements through IElementOwner::GetFramePens; elements
// only refer to it.
#include <QBrush>
#include <QPen>

#include "platform/Interaction.h"

namespace dw {

class FramePens {
public:
    explicit FramePens(Colour background);

    // Re-creates the dotted pen for a new background colour.
    void SetBackground(Colour background);
    Colour Background() const { return background; }

    const QPen& DottedPen() const { return dottedPen; }
    const QPen& WhitePen() const { return whitePen; }      // selected, not primary
    const QPen& RedPen() const { return redPen; }          // selected, in a group
    const QPen& BluePen() const { return bluePen; }        // the primary element
    const QBrush& BlueBrush() const { return blueBrush; }  // the resize square

    // A set for the default grey background, used by elements whose owner offers none.
    static const FramePens& Defaults();

private:
    Colour background;
    QPen dottedPen;
    QPen whitePen;
    QPen redPen;
    QPen bluePen;
    QBrush blueBrush;
};

}  // namespace dw
