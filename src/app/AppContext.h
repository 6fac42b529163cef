#pragma once
// What every window of a running program shares.
#include "Module1.h"

class Platform;
class SettingsStore;
class TextMeasurer;

struct AppContext {
    ProgramValues& values;
    Platform& platform;
    SettingsStore& store;
    const TextMeasurer& measurer;
    AppPaths paths;
};
