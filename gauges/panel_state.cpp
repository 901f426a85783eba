#include "gauges/panel_state.h"

PanelState panelState;
