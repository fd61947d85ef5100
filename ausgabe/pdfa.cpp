#include "pdfa.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>

#include <optional>

namespace grobrechner {

namespace {

// The producer both places name: Qt's writer, at the version that runs.
QString hersteller() { return QStringLiteral("Qt ") + QString::fromLatin1(qVersion()); }

// Dates in UTC, so that the two notations cannot differ in their zone.
QByteArray pdfDatum(const QDateTime& zeit)
{
    return "D:" + zeit.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + 'Z';
}

QString xmpDatum(const QDateTime& zeit) { return zeit.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + 'Z'; }

// A text string of the information dictionary: UTF-16BE with its byte-order
// mark, in hex, so that no character needs an escape.
QByteArray pdfText(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

QByteArray xmp(const Dokumentangaben& a)
{
    const auto x = [](const QString& s) { return s.toHtmlEscaped(); };
    // The packet's begin attribute holds the byte-order mark, as XMP wants it.
    const QString text =
        QStringLiteral("<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                       "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                       " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                       "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                       "   <dc:format>application/pdf</dc:format>\n"
                       "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
                       "   <dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
                       "   <dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">%3</rdf:li></rdf:Alt>"
                       "</dc:description>\n"
                       "  </rdf:Description>\n"
                       "  <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
                       "   <xmp:CreatorTool>%4</xmp:CreatorTool>\n"
                       "   <xmp:CreateDate>%5</xmp:CreateDate>\n"
                       "  </rdf:Description>\n"
                       "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
                       "   <pdf:Producer>%6</pdf:Producer>\n"
                       "  </rdf:Description>\n"
                       "  <rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
                       "   <pdfaid:part>1</pdfaid:part>\n"
                       "   <pdfaid:conformance>B</pdfaid:conformance>\n"
                       "  </rdf:Description>\n"
                       " </rdf:RDF>\n"
                       "</x:xmpmeta>\n"
                       "<?xpacket end=\"w\"?>")
            .arg(x(a.titel), x(a.autor), x(a.thema), x(a.ersteller), xmpDatum(a.erstellt), x(hersteller()));
    return text.toUtf8();
}

// The information dictionary the XMP describes, appended as an incremental
// update; nothing when the written bytes have no trailer to build on.
std::optional<QByteArray> infoNachtragen(QByteArray pdf, const Dokumentangaben& a)
{
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    if (trailer < 0)
        return std::nullopt;
    const QString rest = QString::fromLatin1(pdf.mid(trailer));
    const QRegularExpressionMatch groesse = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(rest);
    const QRegularExpressionMatch wurzel = QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(rest);
    const QRegularExpressionMatch kennung = QRegularExpression(QStringLiteral("/ID\\s*\\[([^\\]]*)\\]")).match(rest);
    const QRegularExpressionMatch vorher = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(rest);
    if (!groesse.hasMatch() || !wurzel.hasMatch() || !kennung.hasMatch() || !vorher.hasMatch())
        return std::nullopt;

    const QByteArray nummer = groesse.captured(1).toLatin1();
    if (!pdf.endsWith('\n'))
        pdf += '\n';
    const qsizetype info = pdf.size();
    pdf += nummer + " 0 obj\n<<\n/Title " + pdfText(a.titel) + "\n/Author " + pdfText(a.autor) + "\n/Subject "
           + pdfText(a.thema) + "\n/Creator " + pdfText(a.ersteller) + "\n/Producer " + pdfText(hersteller())
           + "\n/CreationDate (" + pdfDatum(a.erstellt) + ")\n>>\nendobj\n";
    const qsizetype verweise = pdf.size();
    // One entry of exactly 20 bytes, as cross-reference entries are.
    pdf += "xref\n" + nummer + " 1\n" + QByteArray::number(info).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<<\n/Size " + QByteArray::number(nummer.toLongLong() + 1) + "\n/Root "
           + wurzel.captured(1).toLatin1() + "\n/Info " + nummer + " 0 R\n/Prev " + vorher.captured(1).toLatin1()
           + "\n/ID [" + kennung.captured(1).toLatin1() + "]\n>>\nstartxref\n" + QByteArray::number(verweise)
           + "\n%%EOF\n";
    return pdf;
}

} // namespace

QString pdfaSchreiben(QIODevice& ziel, const Dokumentangaben& angaben, const QPageLayout& seite,
                      const std::function<QString(QPdfWriter&)>& malen)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        pdf.setTitle(angaben.titel);
        pdf.setCreator(angaben.ersteller);
        pdf.setDocumentXmpMetadata(xmp(angaben));
        pdf.setPageLayout(seite);
        QString fehler = malen(pdf);
        if (!fehler.isEmpty())
            return fehler;
    } // the writer finishes the document as it goes
    const std::optional<QByteArray> fertig = infoNachtragen(puffer.data(), angaben);
    if (!fertig)
        return QStringLiteral("Das PDF ließ sich nicht fertigstellen.");
    if (ziel.write(*fertig) != fertig->size())
        return ziel.errorString();
    return {};
}

} // namespace grobrechner
