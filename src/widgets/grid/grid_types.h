#pragma once
// Value types shared by the whole grid family: colours, alignments, options,
// the traversal orders of the editor and the drawing state of a cell.
#include <QtGlobal>

// A 32-bit colour: 0x00BBGGRR, or 0x80000000 plus a system colour index.
using TColor = quint32;

constexpr TColor clSystemColor = 0x80000000u;
constexpr TColor clActiveCaption = clSystemColor + 2;
constexpr TColor clWindow = clSystemColor + 5;
constexpr TColor clWindowText = clSystemColor + 8;
constexpr TColor clHighlight = clSystemColor + 13;
constexpr TColor clHighlightText = clSystemColor + 14;
constexpr TColor clBtnFace = clSystemColor + 15;
constexpr TColor clBtnShadow = clSystemColor + 16;
constexpr TColor clBtnText = clSystemColor + 18;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;

enum TGridAlign : quint8 { alRight = 0, alLeft = 1, alCenter = 2 };

enum T_nextcell : quint8 {
    nc_rightdown = 0,
    nc_downright = 1,
    nc_leftdown = 2,
    nc_downleft = 3,
    nc_leftup = 4,
    nc_upleft = 5,
    nc_rightup = 6,
    nc_upright = 7
};

enum t_lastcell : quint8 { lc_newcolrow = 0, lc_stop = 1, lc_first = 2 };

enum t_relation : quint8 { rel_greater = 0, rel_equal = 1, rel_less = 2 };

// The base grid's options, as flags of one set.
enum TGridOption : quint32 {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14
};
using TGridOptions = quint32;

constexpr TGridOptions DefaultGridOptions =
    goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

enum TScrollStyle : quint8 { ssNone = 0, ssHorizontal = 1, ssVertical = 2, ssBoth = 3 };

// What the painter knows about a cell while drawing it.
enum TGridDrawStateFlag : quint8 { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = quint8;

// A range of cells, inclusive on both ends.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int c, int r) const { return c >= Left && c <= Right && r >= Top && r <= Bottom; }
    bool operator==(const TGridRect&) const = default;
};
