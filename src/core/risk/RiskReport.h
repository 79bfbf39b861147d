#pragma once

#include <QDate>
#include <QList>

#include "core/risk/Risk.h"

class PreviewDocument;

// The register as a printed report: a title, the count of each level, the heat map of the open risks and
// a table of every risk given, on landscape pages.
namespace RiskReport {

constexpr auto Title = "Risk Register";

void render(PreviewDocument &document, const QList<Risk> &risks, const QDate &printedOn);
// The report's body as HTML; the heat map is the image resource "heatmap".
QString html(const QList<Risk> &risks, const QDate &printedOn);

} // namespace RiskReport
