#pragma once

#include <QString>

#include <cstdint>

// Key rules: take the code of a typed character (Backspace is 8) and return
// the code to let through, or 0 to discard the keystroke.
constexpr std::int16_t kBackspaceCode = 8;

// Digits and Backspace only.
std::int16_t FilterNumericKey(std::int16_t code);
// Ability strengths: digits, "-" and Backspace.
std::int16_t FilterStrengthKey(std::int16_t code);
// What an ability strength's box may hold once a character is typed: digits,
// "-" only as the first character.
bool IsStrengthText(QStringView text);

// Leave-field rules: take the box's text and return the text it should hold.

// Empty gives "0"; a whole number above `bound` gives the bound; anything else
// stays as typed. A text that is not a whole decimal number (only possible by
// pasting) is left unchanged: there is no number to compare.
QString ClampNumberText(const QString& text, int bound);
// Item numbers run from 0 to 499.
inline constexpr int kHighestItemNumber = 499;
// The item number: bound kHighestItemNumber.
QString ItemNumberRule(const QString& text);
// The import number: bound 255.
QString ImportNumberRule(const QString& text);
// An empty box whose "Display in script" box is ticked becomes "0".
QString ZeroWhenFlagged(const QString& text, bool flagTicked);
