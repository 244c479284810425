// The main window's groups, top to bottom: time, place, the Moon's
// coordinates, its distance, size, light and age, the phases beside the
// modes, the day's events, and the buttons.
#include <QFrame>
#include <QGridLayout>
#include <QVBoxLayout>

#include "qt/MainWindowView.h"

namespace tessaly::qtview {

QLayout* MainWindowView::chain(std::initializer_list<ElementName> names) const {
  auto* row = new QHBoxLayout;
  row->setSpacing(2);
  for (ElementName name : names) row->addWidget(element(name), 0, Qt::AlignVCenter);
  return row;
}

void MainWindowView::addColumn(QGridLayout* grid, int column, ElementName heading, QLayout* content) const {
  grid->addWidget(element(heading), 0, column, Qt::AlignHCenter | Qt::AlignBottom);
  grid->addLayout(content, 1, column, Qt::AlignHCenter | Qt::AlignTop);
}

QWidget* MainWindowView::line(const char* name, bool vertical) {
  auto* frame = new QFrame(centralWidget());
  frame->setObjectName(name);
  frame->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
  frame->setFrameShadow(QFrame::Sunken);
  return frame;
}

void MainWindowView::arrange() {
  auto* outer = new QVBoxLayout(centralWidget());
  outer->setSpacing(4);
  // Columns stand apart by most of a line's height, so that neighbouring
  // values and underlined headings never run together.
  const int gap = fontMetrics().height() * 3 / 4;
  const auto grid = [gap] {
    auto* layout = new QGridLayout;
    layout->setHorizontalSpacing(gap);
    return layout;
  };

  outer->addWidget(element("Label32"), 0, Qt::AlignHCenter);
  outer->addWidget(line("Line1"));

  auto* time = grid();
  addColumn(time, 0, "Date", chain({"DateDay", "DateMonth", "DateYear"}));
  addColumn(time, 1, "DayYear", chain({"DOY"}));
  addColumn(time, 2, "LocalTime", chain({"TimeHour", "Label5(4)", "TimeMin", "Label11", "TimeSec", "Label15"}));
  addColumn(time, 3, "SidTime", chain({"SidHour", "Label5(5)", "SidMin", "Label10", "SidSec", "Label16"}));
  addColumn(time, 4, "Label1", chain({"JulianDate"}));
  outer->addLayout(time);
  outer->addWidget(line("Line2"));

  auto* place = grid();
  addColumn(place, 0, "LocSet", chain({"Town"}));
  addColumn(place, 1, "Longitude", chain({"LongGrad", "Label19", "LongMin", "Label13", "List1"}));
  addColumn(place, 2, "Latitude", chain({"LatGrad", "Label20", "LatMin", "Label14", "List2"}));
  addColumn(place, 3, "TimZon", chain({"Timezon", "Label5(6)"}));
  outer->addLayout(place);
  outer->addWidget(line("Line3"));

  outer->addWidget(element("CoordSun"), 0, Qt::AlignHCenter);
  auto* coordinates = grid();
  addColumn(coordinates, 0, "Longit", chain({"LongSun", "Label21"}));
  addColumn(coordinates, 1, "Latit", chain({"LatLuna", "Label26"}));
  addColumn(coordinates, 2, "RASun", chain({"RAHour", "Label5(3)", "RAMin", "Label9", "RASec", "Label17"}));
  addColumn(coordinates, 3, "DeclSun",
            chain({"Label33", "DeclGrad", "Label22", "DeclMin", "Label12", "DeclSec", "Label18"}));
  auto* altitude = new QGridLayout;
  altitude->setVerticalSpacing(0);
  altitude->setHorizontalSpacing(gap / 2);
  altitude->addWidget(element("Tru"), 0, 0);
  altitude->addLayout(chain({"AltTrue", "Label23"}), 0, 1);
  altitude->addWidget(element("App"), 1, 0);
  altitude->addLayout(chain({"AltApp", "Label24"}), 1, 1);
  addColumn(coordinates, 4, "AltSun", altitude);
  addColumn(coordinates, 5, "AzimSun", chain({"AzimTrue", "Label27"}));
  outer->addLayout(coordinates);
  outer->addWidget(line("Line4"));

  auto* moon = grid();
  auto* distance = new QVBoxLayout;
  distance->setSpacing(0);
  distance->addLayout(chain({"Distkm", "km"}));
  distance->addLayout(chain({"DistPer", "Per"}));
  addColumn(moon, 0, "Distance", distance);
  addColumn(moon, 1, "DiamSun", chain({"DiamMin", "Label2", "DiamSec", "Label4"}));
  addColumn(moon, 2, "Phase", chain({"Fraction", "Label8"}));
  addColumn(moon, 3, "Label36", chain({"Label37", "Label38"}));
  outer->addLayout(moon);
  outer->addWidget(line("Line5"));

  auto* phases = grid();
  phases->addWidget(element("Label25"), 0, 0, 1, 2);
  phases->addWidget(element("Phase1"), 1, 0);
  phases->addWidget(element("DatePhase1"), 1, 1);
  phases->addWidget(element("Phase2"), 2, 0);
  phases->addWidget(element("DatePhase2"), 2, 1);
  auto* modes = new QGridLayout;
  modes->addWidget(element("Label30"), 0, 0, 1, 2);
  modes->addWidget(element("Option1"), 1, 0);
  modes->addWidget(element("Label28"), 1, 1);
  modes->addWidget(element("Option2"), 2, 0);
  modes->addWidget(element("Label29"), 2, 1);
  modes->setColumnStretch(1, 1);
  auto* phasesAndModes = new QHBoxLayout;
  phasesAndModes->addLayout(phases);
  phasesAndModes->addStretch();
  phasesAndModes->addWidget(line("Line6", true));
  phasesAndModes->addStretch();
  phasesAndModes->addLayout(modes);
  outer->addLayout(phasesAndModes);
  outer->addWidget(line("Line7"));

  // Rise on the left, the culminations in the middle, set on the right;
  // each heading stands above its values.
  auto* events = new QGridLayout;
  const auto heading = [events, this](ElementName name, int row, int column) {
    events->addWidget(element(name), row, column, Qt::AlignHCenter | Qt::AlignBottom);
  };
  const auto values = [events](QLayout* layout, int row, int column) {
    events->addLayout(layout, row, column, Qt::AlignHCenter | Qt::AlignTop);
  };
  heading("Sunrise", 0, 0);
  values(chain({"RiseHour", "Label5(1)", "RiseMin", "Label3"}), 1, 0);
  heading("RiseAzim", 2, 0);
  values(chain({"RAzim", "Label31"}), 3, 0);
  events->addWidget(line("Line8", true), 0, 1, 4, 1);
  heading("CulmSun(0)", 0, 2);
  values(chain({"CulmHour(0)", "Label5(0)", "CulmMin(0)", "Label6(0)"}), 1, 2);
  heading("AltTransit(0)", 0, 3);
  values(chain({"ATransit(0)", "Label34(0)"}), 1, 3);
  heading("CulmSun(1)", 2, 2);
  values(chain({"CulmHour(1)", "Label5(7)", "CulmMin(1)", "Label6(1)"}), 3, 2);
  heading("AltTransit(1)", 2, 3);
  values(chain({"ATransit(1)", "Label34(1)"}), 3, 3);
  events->addWidget(line("Line9", true), 0, 4, 4, 1);
  heading("Sunset", 0, 5);
  values(chain({"SetHour", "Label5(2)", "SetMin", "Label7"}), 1, 5);
  heading("SetAzim", 2, 5);
  values(chain({"SAzim", "Label35"}), 3, 5);
  for (int column : {0, 2, 3, 5}) events->setColumnStretch(column, 1);
  outer->addLayout(events);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(element("Command2"));
  buttons->addWidget(element("Command1"));
  outer->addLayout(buttons);
}

}  // namespace tessaly::qtview
