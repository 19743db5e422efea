#pragma once

#include "ScriptedPrompts.h"
#include "TestHome.h"
#include "mainwindow/frmMain.h"

#include <memory>

// A main window over a throw-away program folder with a small known store "Test":
// category 1 Guitar (folders 1 Riffs with files 1 "One" and 2 "Two", 2 Scales with none),
// category 2 Bass (folder 3 Lines with file 3 "Three" and a bookmark on it).
struct MainFixture
{
    TestHome home;
    ScriptedPrompts prompts;
    QString store;
    std::unique_ptr<frmMain> w;

    MainFixture();
    ~MainFixture();
    void openTestStore();
    void clickFile(int category, int folder, int file);
};
