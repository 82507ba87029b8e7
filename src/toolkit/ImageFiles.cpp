#include "toolkit/ImageFiles.h"

const QStringList &ImageFiles::suffixes()
{
    static const QStringList list = {"png", "jpg", "jpeg", "gif", "bmp"};
    return list;
}

QStringList ImageFiles::nameFilters()
{
    QStringList filters;
    for (const QString &suffix : suffixes())
        filters << "*." + suffix;
    return filters;
}
