#include "objects/UnknownObject.h"

UnknownObject::UnknownObject(KeyedEntry entry)
    : m_entry(std::move(entry))
{
    setHidden(true);
    setUserInteractionEnabled(false);
}
