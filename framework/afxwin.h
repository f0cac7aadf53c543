#pragma once

// The whole framework in one include, for programs and tests.
#include "cmd_target.h"
#include "controls.h"
#include "cstring.h"
#include "data_exchange.h"
#include "dc.h"
#include "dialog.h"
#include "dpi.h"
#include "exceptions.h"
#include "framework_ids.h"
#include "gdi_object.h"
#include "message_box.h"
#include "message_map.h"
#include "win_app.h"
#include "wnd.h"
