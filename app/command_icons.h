// The icons of the commands on the tool bars and in the menus: the desktop's icon theme for
// the standard actions, with drawings of our own where the theme has none; the six primitive
// buttons show the program's own solid rendering of each primitive.
#pragma once

#include <QIcon>

// an empty icon for a command without one
QIcon IconForCommand(int id);
// the program's own icon (window, about box, desktop entry)
QIcon ApplicationIcon();
