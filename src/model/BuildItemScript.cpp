#include "model/BuildItemScript.h"

#include "model/ItemProperties.h"
#include "model/ScriptKeys.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// TAB, the key, " = ", the value and ";", appended to the script.
void addAssignment(QString& s, const QString& key, QStringView value)
{
    s += QLatin1Char('\t');
    s += key;
    s += QLatin1String(" = ");
    s += value;
    s += QLatin1Char(';');
}

void addLine(QString& s, const QString& key, QStringView value)
{
    addAssignment(s, key, value);
    s += kLineEnd;
}

// The line of a flagged property, written as its kind is.
void addProperty(QString& s, const ItemProperty& property, const PropertyValue& value)
{
    switch (property.kind) {
    case PropertyKind::ItemNumber: break;
    case PropertyKind::ClearImport:
        if (*value.yes)
            s += QLatin1Char('\t') + ScriptKeys::Clear + QLatin1Char(';') + kLineEnd;
        else
            addLine(s, property.key, *value.text);
        break;
    case PropertyKind::Digits:
    case PropertyKind::Strength:
    case PropertyKind::FreeText: addLine(s, property.key, *value.text); break;
    case PropertyKind::Quoted: addLine(s, property.key, QLatin1Char('"') + *value.text + QLatin1Char('"')); break;
    case PropertyKind::List:
        // The position as the value, the list's text as a comment.
        addAssignment(s, property.key, QString::number(value.choice->position));
        s += QLatin1String(" // ");
        s += value.choice->text;
        s += kLineEnd;
        break;
    case PropertyKind::Sheet:
    case PropertyKind::Spinner:
        addAssignment(s, property.key, QString::number(*value.number));
        // The missile line closes the block and is the one line without CR LF.
        if (property.key != ScriptKeys::Missile)
            s += kLineEnd;
        break;
    case PropertyKind::YesNo: addLine(s, property.key, *value.yes ? u"1" : u"0"); break;
    }
}

}  // namespace

QString BuildItemScript(const ItemDefinition& item)
{
    QString s;
    s.reserve(1024);
    // In the order of the properties; an ability slot's two lines stand
    // together there, under its one flag, each keeping the slot's number.
    for (const ItemProperty& property : ItemProperties()) {
        const PropertyValue value = ValueOf(property, item);
        if (property.kind == PropertyKind::ItemNumber)
            s += property.key + QLatin1Char(' ') + *value.text + QLatin1Char(';') + kLineEnd;
        // The sheet belongs to the item exactly when either icon is shown.
        else if (property.kind == PropertyKind::Sheet ? item.chkFloorIcon || item.chkInvIcon : *value.flag)
            addProperty(s, property, value);
    }
    return s;
}

QList<const ItemProperty*> FillEmptyNumbers(ItemDefinition& item)
{
    QList<const ItemProperty*> filled;
    for (const ItemProperty& property : ItemProperties()) {
        const PropertyValue value = property.value(item);
        const bool numberWritten = [&] {
            switch (property.kind) {
            case PropertyKind::ItemNumber: return true;
            case PropertyKind::ClearImport: return *value.flag && !*value.yes;
            case PropertyKind::Digits:
            case PropertyKind::Strength: return *value.flag;
            default: return false;
            }
        }();
        if (!numberWritten)
            continue;
        QString& text = *value.text;
        if (text.isEmpty() || (property.kind == PropertyKind::Strength && text == u"-")) {
            text = QStringLiteral("0");
            filled << &property;
        }
    }
    return filled;
}

QString GenerateScript(ItemDefinition item)
{
    FillEmptyNumbers(item);
    return BuildItemScript(item);
}
