#include "print/printer/PrinterList.h"

#include <QPrinterInfo>

namespace yorozu {

PrinterSnapshot PrinterSnapshot::take()
{
    PrinterSnapshot s;
    for (const auto& info : QPrinterInfo::availablePrinters()) {
        Entry e;
        e.name = info.printerName().toStdString();
        e.attributes = (info.isDefault() ? Default : 0u) | (info.isRemote() ? Remote : 0u);
        s.printers.push_back(std::move(e));
    }
    return s;
}

} // namespace yorozu
