#pragma once
// Writes a layout in the text format that ReadLayout reads. Reading the text
// back and writing it again gives the same bytes.
#include "widgets/grid/layout_document.h"

QByteArray WriteLayout(const TLayoutDocument& layout);
