#pragma once
// A main window on the scripted platform with one empty label open: where most
// window tests start.
#include "mainwindow/frmMain.h"
#include "support/TestEnv.h"

struct MainWithLabel {
    TestEnv env{true};
    frmMain m{env.ctx};
    MainWithLabel()
    {
        m.Form_Load();
        m.show();
        m.LoadNewDoc();
    }
};
