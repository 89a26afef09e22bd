// Version of the editor and the command-line tool.
#pragma once

inline constexpr char kProgramVersion[] = "1.10";
