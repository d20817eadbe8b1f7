// The about box: the program's name, version and icon, and, under "Systeminfo", the physical
// memory and the free space of the current folder's file system. Reading the file system has
// a time limit, so the box opens even when a network mount hangs.
#pragma once

class QWidget;

// runs the box modally
void ShowAboutBox(QWidget* parent);
