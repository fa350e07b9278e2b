// The six pages of the main dialog, in the order of their tabs.
#pragma once

#include "AdvancedPage_win.h"
#include "ButtonPage_win.h"
#include "ColorPage_win.h"
#include "MainPage_win.h"
#include "StatisticsPage_win.h"
#include "UpdatePage_win.h"
