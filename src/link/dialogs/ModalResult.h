#pragma once

// The results the link's dialogs end with: OK (1) and Cancel (2).
constexpr int ModalResultOk = 1;
constexpr int ModalResultCancel = 2;
