#pragma once
// Names of option, style and colour values as a layout writes them.
#include "widgets/grid/grid_types.h"
#include "widgets/grid/layout_document.h"

#include <QStringList>

// The options as set member names, in flag order.
QStringList OptionNames(TGridOptions options);
// Reads a set of option names; an unknown name is an ELayoutError.
TGridOptions OptionsFromValue(const TLayoutValue& value);

QStringList FontStyleNames(quint8 style);
quint8 FontStyleFromValue(const TLayoutValue& value);

// A colour is an integer (0x00BBGGRR, or negative for a system colour) or a
// colour name such as clBtnFace.
TColor ColorFromValue(const TLayoutValue& value);
TLayoutValue ColorToValue(TColor color);

// An enumeration stored by the name of its value, e.g. nc_upright.
int EnumFromValue(const TLayoutValue& value, const QStringList& names);

// The attribute choices as an attribute editor would list them: no explicit
// entry first, then the values in their order; and the scopes of the lists.
const QStringList& AlignChoices();        // Default, Right, Left, Center
const QStringList& EditChoices();         // Default, Read only, Editable
const QStringList& FixedScopeChoices();   // Cell, Column, Fixed Column, Row, Fixed Row
const QStringList& ScopeChoices();        // Cell, Column, Row
const QStringList& CustomChoices();       // Default, Custom
