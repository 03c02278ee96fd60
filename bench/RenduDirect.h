#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "ListeSqlDirecte.h"

// Draws the list straight into a PDF file with QPainter, page by page, in the layout the
// control prints: header, group block, boxed table, 51 lines at most per page, a new page at
// each change of group. Returns the number of pages.
int rendreListe(const std::vector<LigneDirecte>& lignes, const QString& periode,
                const QDate& aujourdhui, const QString& fichierPdf);
