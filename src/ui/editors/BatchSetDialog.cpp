#include "ui/editors/EditorPages.h"

void RunChannelBatchSet(RadioSettings&, std::function<void()>, QWidget*) {}
