#pragma once
// The editor's gauge and configuration dialogs: gauge properties, server links and image
// search paths, behind IEditorDialogs.
#include <memory>

#include "editor/EditorDialogs.h"

namespace dw {

std::unique_ptr<IEditorDialogs> CreateEditorDialogs(const DialogContext& context);

}  // namespace dw
