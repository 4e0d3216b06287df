// CEdit: a single-line edit field.
#pragma once

#include "Wnd.h"

class CEdit : public CWnd {};
