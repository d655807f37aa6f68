// All of trellis in one include: every public header, layer by layer from the bottom up.
#pragma once

#include "trellis/Version.h"

#include "trellis/diagnostics/Diagnostic.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/diagnostics/DiagnosticSink.h"

#include "trellis/font/FontFile.h"
#include "trellis/font/TextureFont.h"
#include "trellis/style/Color.h"
#include "trellis/style/SkinStore.h"
#include "trellis/style/SkinValues.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/Callback.h"
#include "trellis/gui/CallbackSender.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ChildList.h"
#include "trellis/gui/Clipboard.h"
#include "trellis/gui/DrawRecorder.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/FlatRect.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/ScissorClip.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/SkinClasses.h"
#include "trellis/gui/TextEditModel.h"
#include "trellis/gui/TextElement.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Window.h"

#include "trellis/skin/Reskin.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/skin/SkinOutline.h"

#include "trellis/dialogue/DialogueLoader.h"

#include "trellis/render/DebugLines.h"
#include "trellis/render/Renderer.h"

#include "trellis/shell/GuiShell.h"
#include "trellis/shell/Host.h"
#include "trellis/shell/WindowShell.h"
