#pragma once

#include "model/ItemProperties.h"

#include <QString>

// What a text box takes: which characters, and how many.
struct BoxRule {
    enum class Characters {
        Every,     // every character, on one line
        Digits,    // "0" to "9"
        Strength,  // digits, after an optional "-" in front
    };
    Characters characters = Characters::Every;
    int longest = kLongestText;
};

// The rule of a property's text box (for Clear/Import, the import number's):
// the number boxes take digits, a strength also its "-", the names and Icon
// Adjust every character; each at most the property's characters. A typed
// skill takes every character, as many as any box.
BoxRule BoxRuleOf(const ItemProperty& property);

// An edit of a box, judged by the box's rule.
struct BoxEdit {
    enum class Refusal { None, Characters, Length, LineBreak };
    Refusal refusal = Refusal::None;
    QString inserted;      // the part the edit brought in, as it came
    QString text;          // what the box holds once the edit is taken
    qsizetype cursor = 0;  // where the cursor then stands: after the inserted part
};

// Judges the edit that turns `before`, what a box held, into `after`. The
// inserted part comes without the line ends around it, as a copied line or
// spreadsheet cell brings them, and in a number box also without the blanks;
// unless that leaves nothing, so that a lone blank typed into a number box is
// refused like a letter. What the box would then hold must keep to its rule,
// or the edit is refused as a whole: no part of it is taken.
BoxEdit CheckBoxEdit(const BoxRule& rule, const QString& before, const QString& after);

// Leave-field rules: take the box's text and return the text it should hold.

// Empty gives "0"; a whole number above `bound` gives the bound; anything else
// stays as typed. A text that is not a whole decimal number (one the form's
// boxes never hold) is left unchanged: there is no number to compare.
QString ClampNumberText(const QString& text, int bound);
// Item numbers run from 0 to 499.
inline constexpr int kHighestItemNumber = 499;
// The item number: bound kHighestItemNumber.
QString ItemNumberRule(const QString& text);
// The import number: bound 255.
QString ImportNumberRule(const QString& text);
// An empty box whose "Display in script" box is ticked becomes "0".
QString ZeroWhenFlagged(const QString& text, bool flagTicked);
