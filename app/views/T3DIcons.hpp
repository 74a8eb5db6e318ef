#pragma once

#include <QIcon>
#include <QString>

namespace orvane {

// The pictures of the 3-D View's toolbar buttons, drawn at 24 x 24 pixels
// in the style of the main toolbar; an empty icon for an unknown button.
class T3DIcons {
public:
    static QIcon icon(const QString& button);
};

}  // namespace orvane
