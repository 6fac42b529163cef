#pragma once
// The program's name as its windows and messages show it, and the name of
// its settings file. A leaf: anything may include it.

inline constexpr const char* ProgramTitle = "Corkcrafter 2";
