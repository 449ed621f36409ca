#include "App.Lib.Layout.Mapfre.h"

#include "App.Lib.MapfreCapFTP.h"
#include "App.Lib.Util.Layout.h"
#include "App.Service.LayoutMapfre.h"
#include "Common.Lib.Crypt.h"
#include "FormatSettings.h"
#include "SysUtils.h"
#include "Windows1252.h"

#include <algorithm>

#include <QDir>
#include <QSaveFile>

// --- Records -----------------------------------------------------------------------------------

QString TRegistroHeader::getHeader() const
{
    return u'H' + TUtilLayout::fieldInteger(CodigoCliente, 4, QStringLiteral("CodigoCliente"))
           + TUtilLayout::fieldInteger(CodigoPlano, 4, QStringLiteral("CodigoPlano"))
           + TUtilLayout::resultDate(DataGeracao, 8) + TUtilLayout::resultString(NumeroRemessa, 10);
}

void TRegistroHeader::Clear()
{
    NumeroRemessa.clear();
    DataGeracao = 0.0;
    CodigoCliente = 0;
    CodigoPlano = 0;
}

QString TRegistroHeaderPag::getHeader() const
{
    return u'H' + TUtilLayout::fieldInteger(CodigoCliente, 4, QStringLiteral("CodigoCliente"))
           + TUtilLayout::fieldInteger(CodigoPlano, 4, QStringLiteral("CodigoPlano"))
           + TUtilLayout::fieldInteger(CodigoEstipulante, 4, QStringLiteral("CodigoEstipulante"))
           + TUtilLayout::resultDate(DataGeracao, 8) + TUtilLayout::resultString(NumeroRemessa, 10);
}

void TRegistroHeaderPag::Clear()
{
    TRegistroHeader::Clear();
    CodigoEstipulante = 0;
}

void TRegistroDetailNew::getDetails(QStringList &AList) const
{
    for (const TItemDeailNew &item : Details)
        AList << u'D'
                     + TUtilLayout::fieldInteger(
                         item.LoteEnvioCliente, 5, QStringLiteral("LoteEnvioCliente"))
                     + TUtilLayout::fieldInteger(
                         item.QuantidadeNumeroSorte, 7, QStringLiteral("QuantidadeNumeroSorte"))
                     + TUtilLayout::resultString(item.ReservadoUsoCliente, 25);
}

void TRegistroDetailPag::getDetails(QStringList &AList) const
{
    AList.reserve(AList.size() + qsizetype(Details.size()));
    for (const TItemDeailPag &item : Details) {
        QString line;
        line.reserve(80);
        line += u'D';
        TUtilLayout::appendString(line, item.AnoMesVigencia, 6);
        TUtilLayout::appendField(
            line, std::int64_t(item.NumeroSerieDistribuicao), 3, "NumeroSerieDistribuicao");
        TUtilLayout::appendField(line, std::int64_t(item.NumeroSorte), 8, "NumeroSorte");
        TUtilLayout::appendField(line, item.ValorTitulo, 17, 8, "ValorTitulo");
        TUtilLayout::appendDate(line, item.DataVigenciaSorteio, 8);
        TUtilLayout::appendString(line, item.IdentificacaoCliente, 25);
        TUtilLayout::appendField(
            line, std::int64_t(item.NumeroSequencialRegistro), 9, "NumeroSequencialRegistro");
        AList << line;
    }
}

QString TRegistroTrailerPag::getTrailer() const
{
    return TRegistroTrailer::getTrailer()
           + TUtilLayout::fieldInteger(
               TotalRegistrosEnviados, 9, QStringLiteral("TotalRegistrosEnviados"))
           + TUtilLayout::fieldFloat(TotalValorTitulo, 17, 8, QStringLiteral("TotalValorTitulo"));
}

void TRegistroTrailerPag::Clear()
{
    TotalRegistrosEnviados = 0;
    TotalValorTitulo = 0.0;
}

// --- The file ----------------------------------------------------------------------------------

TLayoutMapfre &TLayoutMapfre::Clear()
{
    Header->Clear();
    Detail->Clear();
    Trailer->Clear();
    return *this;
}

TLayoutMapfre &TLayoutMapfre::SetIdLote(std::int64_t AIdLote)
{
    IdLote = AIdLote;
    return *this;
}

TLayoutMapfre &TLayoutMapfre::SetPath(const QString &APath)
{
    Path = APath;
    return *this;
}

TLayoutMapfre &TLayoutMapfre::SetIsEnviarFTP(bool Value)
{
    IsEnviarFTP = Value;
    return *this;
}

TLayoutFile TLayoutMapfre::BuildFile()
{
    CodigoPlano = TUtilLayout::resultInteger(Header->CodigoPlano, 4);
    static const char *const kinds[] = { "_NEW", "_PAG", "_SIT" };
    const QString fileName = (QStringLiteral("MCAP_II") + QLatin1String(kinds[int(TypeLayout)])
                              + u'_' + CodigoPlano + u'_'
                              + FormatDateTime(QStringLiteral("ddmmyy"), DataGeracao) + u'_'
                              + TUtilLayout::resultInteger(OrdemDia, 2) + QStringLiteral(".txt"))
                                 .toUpper();
    QStringList lines;
    lines << Header->getHeader();
    Detail->getDetails(lines);
    lines << Trailer->getTrailer();
    QByteArray bytes;
    bytes.reserve((lines.isEmpty() ? 0 : lines.size() * (lines.constLast().size() + 2))
                  + 4 * 80);
    for (const QString &line : std::as_const(lines)) {
        // The records hold ASCII only, copied a byte a character; any other character goes
        // through the code page.
        const bool ascii = std::all_of(
            line.cbegin(), line.cend(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii) {
            const qsizetype at = bytes.size();
            bytes.resize(at + line.size());
            std::transform(line.cbegin(), line.cend(), bytes.data() + at, [](QChar c) {
                return char(c.unicode());
            });
        } else {
            bytes += ToWindows1252(line);
        }
        bytes += "\r\n";
    }
    return { fileName, std::move(lines), bytes };
}

TLayoutMapfre &TLayoutMapfre::Execute()
{
    m_isSuccess = false;
    try {
        fillLayout();
        const TLayoutFile file = BuildFile();
        if (IsEnviarFTP) {
            // The transfer object ends the connection when it goes.
            TMapfreCapFTP::New()
                ->SetUploadFile(file.Lines, file.FileName)
                .Execute(Seguradora.HostFtp, Seguradora.PortFtp, Seguradora.LoginFtp,
                         DecodeText(Seguradora.PasswordFtp));
        } else {
            // Written whole or not at all: a failure never leaves half a file under the final
            // name.
            QSaveFile out(QDir(Path).filePath(file.FileName));
            if (!out.open(QIODevice::WriteOnly) || out.write(file.Bytes) != file.Bytes.size()
                || !out.commit())
                throw Exception(out.errorString());
        }
    } catch (const Exception &failure) {
        throw Exception(QStringLiteral("WARNING:Não foi possível gerar o arquivo.\r\n")
                        + failure.Message());
    } catch (const std::exception &failure) {
        throw Exception(QStringLiteral("WARNING:Não foi possível gerar o arquivo.\r\n")
                        + QString::fromLocal8Bit(failure.what()));
    }
    m_isSuccess = true;
    return *this;
}

template<class TRow>
void TLayoutMapfre::fillFromFirstRow(const TRow &ARow)
{
    Seguradora.HostFtp = ARow.HostFtp;
    Seguradora.PortFtp = ARow.PortFtp;
    Seguradora.LoginFtp = ARow.LoginFtp;
    Seguradora.PasswordFtp = ARow.PasswordFtp;
    Header->CodigoCliente = ARow.CodigoCliente;
    Header->CodigoPlano = ARow.CodigoPlano;
    Header->DataGeracao = ARow.DataGeracao;
    DataGeracao = ARow.DataGeracao;
    OrdemDia = ARow.OrdemDia + 1;
    Header->NumeroRemessa = TUtilLayout::resultInteger(ARow.Ano, 4)
                            + TUtilLayout::resultInteger(ARow.Sequencial, 6);
}

TNewLayoutMapfre::TNewLayoutMapfre()
{
    Header = &m_header;
    Detail = &m_detail;
    Trailer = &m_trailer;
    TypeLayout = TTypeLayoutMapfre::tlNew;
}

void TNewLayoutMapfre::fillRows(const TObjectList<TLayoutMapfreNewDto> &ARows)
{
    if (ARows.empty())
        return;
    fillFromFirstRow(*ARows.front());
    for (const auto &row : ARows)
        m_detail.Details.push_back({ row->QuantidadeNumeroSorte,
                                     row->LoteEnvioCliente,
                                     QString(25, u'0') });
}

void TNewLayoutMapfre::fillLayout()
{
    TLayoutMapfreService service;
    if (const auto rows = service.fillLayoutMapfreNew(IdLote))
        fillRows(*rows);
}

TPagLayoutMapfre::TPagLayoutMapfre()
{
    Header = &m_header;
    Detail = &m_detail;
    Trailer = &m_trailer;
    TypeLayout = TTypeLayoutMapfre::tlPag;
}

void TPagLayoutMapfre::fillRows(const TObjectList<TLayoutMapfrePagDto> &ARows)
{
    if (ARows.empty())
        return;
    fillFromFirstRow(*ARows.front());
    m_header.CodigoEstipulante = ARows.front()->CodigoEstipulante;
    int sequencial = 0;
    for (const auto &row : ARows) {
        TItemDeailPag item;
        item.AnoMesVigencia = TUtilLayout::resultDate(row->DataGeracao, 6);
        item.NumeroSerieDistribuicao = row->NumeroSerieDistribuicao;
        item.NumeroSorte = row->NumeroSorte;
        item.DataVigenciaSorteio = row->DataVigenciaSorteio;
        item.ValorTitulo = ValorTituloFixo;
        item.IdentificacaoCliente = TUtilLayout::resultStringZero(row->Cpf, 25);
        item.NumeroSequencialRegistro = ++sequencial;
        m_trailer.TotalValorTitulo += item.ValorTitulo;
        m_detail.Details.push_back(std::move(item));
    }
    m_trailer.TotalRegistrosEnviados = int(ARows.size());
}

void TPagLayoutMapfre::fillLayout()
{
    TLayoutMapfreService service;
    if (const auto rows = service.fillLayoutMapfrePag(IdLote))
        fillRows(*rows);
}
