// Printing the active view: the platform's print dialog (printing to a PDF file included),
// then the view's picture fitted to the page with its title above it.
#pragma once

class QPrinter;
class QWidget;
class ViewWidget;

// Asks for the printer and prints; false when the user cancelled or printing failed.
bool PrintViewWithDialog(ViewWidget& view, QWidget* parent);
// Prints the view's current picture on an already set-up printer.
bool PrintView(ViewWidget& view, QPrinter& printer);
