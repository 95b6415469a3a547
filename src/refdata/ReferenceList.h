#pragma once

#include <QString>
#include <QStringList>

// A lookup list that a reference file fills: the window's combo boxes and the
// plain list below both serve.
class ReferenceList {
public:
    virtual ~ReferenceList() = default;
    virtual int count() const = 0;
    // Inserts `text` at `position` (0 to count()); later entries move down.
    virtual void insertAt(int position, const QString& text) = 0;
};

// A list with no window behind it.
class StringReferenceList final : public ReferenceList {
public:
    int count() const override { return int(entries.size()); }
    void insertAt(int position, const QString& text) override { entries.insert(position, text); }

    QStringList entries;
};
