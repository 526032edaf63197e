#pragma once

#include <memory>

class QWidget;

namespace yorozu {

class PartsHost;
class PartsPanel;
class TYorozu;

// Builds the parts panel on the window's client area and connects it: the
// 部品 command and the shutdown write, the sheet editor's end of line and
// wheel, the drags between the sheet and the grid. The window keeps `host`
// as long as the panel lives.
PartsPanel* installPartsPanel(TYorozu& w, QWidget* client, std::unique_ptr<PartsHost>& host);

} // namespace yorozu
