#pragma once

#include "refdata/ReferenceList.h"

#include <QComboBox>

// A combo box as a list that a reference file fills.
class ComboReferenceList final : public ReferenceList {
public:
    explicit ComboReferenceList(QComboBox* box) : m_box(box) {}
    int count() const override { return m_box->count(); }
    void insertAt(int position, const QString& text) override { m_box->insertItem(position, text); }

private:
    QComboBox* m_box;
};
