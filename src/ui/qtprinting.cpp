// The lumo-print module: the system print dialog and its printers through Qt
// PrintSupport, loaded by the program on the first print (ui/modules.h). What
// is printed is drawn by the program itself on the printer handed back.
#include "ui/platform.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class QtPrinting final : public lumo::Printing {
  public:
    bool available() override { return true; }

    std::unique_ptr<QPagedPaintDevice> choosePrinter(QWidget* parent, const QPageLayout& layout,
                                                     const QString& title) override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // One setting at a time: a printer that cannot take the margins
        // exactly still takes the page size.
        printer->setPageSize(layout.pageSize());
        printer->setPageOrientation(layout.orientation());
        printer->setPageMargins(layout.margins(), layout.units());
        printer->setDocName(title);
        QPrintDialog dialog(printer.get(), parent);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return printer;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT lumo::Printing* lumo_create_printing()
{
    return new QtPrinting;
}
