#pragma once
// Reads the layout text format:
//
//   object GridDesarrollo: TAttributeGrid
//     ColCount = 9
//     Options = [goFixedVertLine, goRowSelect]
//     Font.Name = 'Arial'
//     ColWidths = (42 76 91)
//     AlignCell = {0000000002 0100000002}
//   end
//
// Values are integers (32-bit, decimal), strings (quoted with ', '' for a
// quote, #n for a character by code: 'a'#13#10'b'), names, sets of names in
// brackets, lists of values in parentheses and binary blocks of hex digits in
// braces. "//" starts a comment to the end of the line. Text is UTF-8.
#include "widgets/grid/layout_document.h"

// Any fault throws ELayoutError with the line and column where it was found.
TLayoutDocument ReadLayout(const QByteArray& text);

// Reads a layout file (also from resources, ":/layouts/x.zly"); a missing
// file is an ELayoutError too.
TLayoutDocument ReadLayoutFile(const QString& path);
