#pragma once

#include <QDateTime>
#include <QPageLayout>
#include <QString>

#include <functional>

class QIODevice;
class QPdfWriter;

namespace grobrechner {

// What a document says about itself: in its information dictionary and in its
// XMP metadata alike, as PDF/A wants them to agree.
struct Dokumentangaben {
    QString titel;     // /Title, dc:title
    QString autor;     // /Author, dc:creator
    QString thema;     // /Subject, dc:description
    QString ersteller; // /Creator, xmp:CreatorTool: the program that made it
    QDateTime erstellt; // /CreationDate, xmp:CreateDate
};

// Writes a PDF/A-1b into `ziel`. `malen` draws the pages into the writer it is
// handed, which is set to `seite` and is not yet painted on; it answers with
// an empty text or with what went wrong.
//
// Qt's writer puts only the title, the creator, the producer and the creation
// date into the information dictionary, and its own XMP says the same. So the
// document is written with XMP of ours that holds all of the Angaben, and an
// incremental update appended to the written bytes gives it an information
// dictionary that says what the XMP says: a new dictionary, a cross-reference
// section for it and a trailer that points to it, to the catalogue and to the
// section before, with the document's ID unchanged.
//
// Empty on success, otherwise what went wrong, in German.
QString pdfaSchreiben(QIODevice& ziel, const Dokumentangaben& angaben, const QPageLayout& seite,
                      const std::function<QString(QPdfWriter&)>& malen);

} // namespace grobrechner
