#pragma once

#include <guiddef.h>

// Windows Imaging Component's class and pixel-format ids, by value: the import library's
// definitions would bring windowscodecs.dll into the program's imports, and WIC is reached
// through CoCreateInstance alone. Interface ids come from the headers (__uuidof).
constexpr GUID kClsidWicImagingFactory = {
    0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kWicPixelFormat32bppBGRA = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0f}};
