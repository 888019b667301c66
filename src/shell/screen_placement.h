#pragma once

class QWidget;

namespace lexaro {

// Puts a window in the middle of the screen it is on (the primary screen before it shows).
void centreOnScreen(QWidget& window);

} // namespace lexaro
