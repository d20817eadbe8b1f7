// A desktop application on an in-memory settings store, with helpers to find the dialog a
// command opens and to collect every text a window shows.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "tests/support/model_test.h"

class ShellTest : public ModelTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the application (after the test chose language and settings).
    void StartApp();
    void Settle();
    // A key press on the main window, made the active window first (shortcuts need one).
    void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Runs a command as its menu entry does; it must be shown and enabled.
    void Trigger(int id);
    // Runs start(), which opens a modal window, and calls inspect on the first modal window
    // that appears; inspect must close it. Fails when none appears.
    void WithModal(const std::function<void()>& start,
                   const std::function<void(QWidget*)>& inspect);
    // Saves a picture of the widget as <name>-de.png or <name>-en.png (by the interface's
    // language) into the folder ORVANTA_SCREENSHOTS names; nothing without it.
    static void Screenshot(QWidget* widget, const char* name);

    MemorySettingsStore settings;
    ScopedRecordingPrompts prompts;
    std::unique_ptr<COrvantaApp> app;
};

// Every text a widget and its children show: window titles, labels, buttons, group boxes,
// tree items, menu entries with their tool tips and status texts, plain text of browsers.
QStringList VisibleTexts(QWidget* root);
// the texts of a menu's actions, recursing into sub-menus
QStringList MenuTexts(QMenu* menu);
// Texts that read as German: umlauts, ß, or one of a few common German words.
QStringList GermanLooking(const QStringList& texts);
