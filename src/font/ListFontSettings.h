// The description of the font the list's rows are drawn in: what the user chooses in
// the font editor and what the system list file keeps.
#pragma once

#include <string>
#include <string_view>

// The weights that the editor's Bold box sets; a font may hold any other.
constexpr int FontWeightNormal = 400;
constexpr int FontWeightBold = 700;

// How the letters' edges are smoothed: the platform's quality numbers.
constexpr int FontQualityDefault = 0;
constexpr int FontQualityAntialiased = 4;  // the start-up quality, and the one a stored font comes back with
constexpr int FontQualityClearType = 5;    // what the editor's Antialiased box sets

// The longest face name a font takes.
constexpr size_t FontFaceLengthLimit = 31;

struct ListFontSettings {
    std::wstring face;  // at most FontFaceLengthLimit characters
    int height = 0;     // the character cell in pixels
    int weight = FontWeightNormal;
    bool italic = false;
    bool underline = false;
    int quality = FontQualityDefault;

    bool operator==(const ListFontSettings& other) const
    {
        return face == other.face && height == other.height && weight == other.weight && italic == other.italic &&
               underline == other.underline && quality == other.quality;
    }
    bool operator!=(const ListFontSettings& other) const { return !(*this == other); }
};

// Tahoma, a 10-pixel cell, regular weight, antialiased.
ListFontSettings StartupListFontSettings();

// face as a font takes it: up to its first NUL, cut to the longest name a font
// takes, and never between the halves of a surrogate pair.
std::wstring FittedFaceName(std::wstring_view face);
