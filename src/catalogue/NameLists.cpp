#include "catalogue/NameLists.h"

#include "catalogue/Catalogue.h"
#include "platform/db/Cursor.h"
#include "platform/system/Attempt.h"

#include <QComboBox>
#include <QStringList>

namespace catalogue {

void fillNameList(db::Cursor &rsCatalogue, const QString &column, QComboBox &list)
{
    const int index = rsCatalogue.columnIndex(column);
    QStringList names;
    for (; !rsCatalogue.eof(); rsCatalogue.moveNext()) {
        const QString name = rsCatalogue.value(index);
        if (name != QLatin1String("z"))
            names << name;
    }
    // A combo box makes its first entry current when entries arrive, and an emptied one
    // loses its text; the name lists keep the text they had, as the user left it.
    const QString text = list.currentText();
    list.addItems(names); // one call for the whole list keeps a large catalogue quick to list
    list.setCurrentIndex(-1);
    list.setEditText(text);
    rsCatalogue.moveFirst();
}

void fillNameLists(Catalogue &catalogue, QComboBox &cboName, QComboBox &cboTrainers)
{
    sys::attempt([&] { catalogue.openCatalogueCursor(); });
    sys::attempt([&] { fillNameList(catalogue.catalogueCursor(), "fldName", cboName); });
    sys::attempt([&] { fillNameList(catalogue.catalogueCursor(), "fldTrainers", cboTrainers); });
    sys::attempt([&] { catalogue.openNamesCursor(); });
}

void emptyNameList(QComboBox &list)
{
    const QString text = list.currentText();
    list.clear();
    list.setEditText(text);
}

} // namespace catalogue
