// The radio stack: the faces of COM1, COM2, NAV1 and NAV2.
//
// Reads: kCom1Frequency, kNav1Frequency, kNav2Frequency.
// Sends: kCom1FrequencySet, kNav1FrequencySet, kNav2FrequencySet, kNavIdentOn, kNavIdentOff.
#include "gauges/radio_stack_com.h"
#include "gauges/radio_stack_nav.h"

QTP_RADIO_FACE_BEGIN(COM1, radio_face::Com1Actions, 280, 285, spacingLight)
ELEMENT_ICON spacingLight = radio_face::spacingLight(gauge_COM1, Actions::spacingLight, next<knob>);
QTP_RADIO_FACE_END(COM1, 0xA701, radio_face::kComKnob);

QTP_RADIO_FACE_BEGIN(COM2, radio_face::Com2Actions, 290, 291, spacingLight)
ELEMENT_ICON spacingLight = radio_face::spacingLight(gauge_COM2, Actions::spacingLight, next<knob>);
QTP_RADIO_FACE_END(COM2, 0xA703, radio_face::kComKnob);

QTP_RADIO_FACE_BEGIN(NAV1, radio_face::Nav1Actions, 292, 293, knob)
QTP_RADIO_FACE_END(NAV1, 0xA700, radio_face::kNavKnob);

QTP_RADIO_FACE_BEGIN(NAV2, radio_face::Nav2Actions, 294, 295, knob)
QTP_RADIO_FACE_END(NAV2, 0xA702, radio_face::kNavKnob);
