#pragma once
#include "toolkit/KeyedArchiver.h"
#include "toolkit/View.h"

// An object of a kind this build does not know (from a later version), held
// in its panel as it was archived, so that saving the comic writes it back
// unchanged and in its place among the panel's objects. It goes with its
// panel. A hidden view of no size, it is not shown, drawn or touched, and it
// is no comic object: never selected, copied or counted as something to save.
class UnknownObject : public View
{
    Q_OBJECT
public:
    explicit UnknownObject(KeyedEntry entry);

    const KeyedEntry &entry() const { return m_entry; }

private:
    KeyedEntry m_entry;
};
