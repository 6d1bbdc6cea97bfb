#include "catalogue/NameLists.h"

#include "catalogue/Catalogue.h"
#include "platform/db/Cursor.h"
#include "platform/system/Attempt.h"

#include <QComboBox>
#include <QStringList>

namespace catalogue {

void fillNameList(db::Cursor &rsCatalogue, const QString &column, QComboBox &list)
{
    QStringList names;
    // One call for the whole list keeps a large catalogue quick to list. A combo box makes its
    // first entry current when entries arrive; the name list keeps the text the user left.
    const auto listNames = [&] {
        const QString text = list.currentText();
        list.addItems(names);
        list.setCurrentIndex(-1);
        list.setEditText(text);
    };
    try {
        const int index = rsCatalogue.columnIndex(column);
        for (; !rsCatalogue.eof(); rsCatalogue.moveNext()) {
            const QString name = rsCatalogue.value(index);
            if (!isNoName(name))
                names << name;
        }
    } catch (...) {
        // The names read before a damaged part of the file are listed all the same.
        listNames();
        throw;
    }
    listNames();
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
