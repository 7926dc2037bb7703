#pragma once

#include <QStringList>

// Entry 0 of each list is its header; entry i stands for HeightBase + i inches
// or WeightBase + i pounds.
inline constexpr int HeightBase = 47;
inline constexpr int WeightBase = 55;

// "Feet / Inches", then every height from 4 ft to 8 ft by the inch.
QStringList heightEntries();
// "Stone / Pounds", then every weight from 4 stone to 29 stone by the pound.
QStringList weightEntries();
