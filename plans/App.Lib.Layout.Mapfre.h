#pragma once

#include "Common.Base.Types.h"
#include "Common.Dto.LayoutMapfre.h"
#include "Common.Entity.Seguradora.h"
#include "DateTime.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// The insurer's fixed-width files of a send batch: the NEW file asks for draw numbers, the PAG
// file lists draw numbers with their title value and holder. The records are built from the
// rows alone (BuildFile); Execute reads the rows, builds the file and writes it into a folder or
// uploads it into the insurer's SFTP folder.

enum class TTypeLayoutMapfre { tlNew, tlPag, tlSit };

class TRegistroHeader
{
public:
    virtual ~TRegistroHeader() = default;
    virtual QString getHeader() const;
    virtual void Clear();

    QString NumeroRemessa;
    TDateTime DataGeracao;
    int CodigoCliente = 0;
    int CodigoPlano = 0;
};

class TRegistroHeaderPag final : public TRegistroHeader
{
public:
    QString getHeader() const override;
    void Clear() override;

    int CodigoEstipulante = 0;
};

class TRegistroDetail
{
public:
    virtual ~TRegistroDetail() = default;
    // Appends one line per detail item.
    virtual void getDetails(QStringList &AList) const = 0;
    virtual void Clear() { }
};

struct TItemDeailNew
{
    int QuantidadeNumeroSorte = 0;
    int LoteEnvioCliente = 0;
    QString ReservadoUsoCliente;
};

struct TItemDeailPag
{
    double ValorTitulo = 0.0;
    QString AnoMesVigencia;
    int NumeroSorte = 0;
    TDateTime DataVigenciaSorteio;
    int NumeroSerieDistribuicao = 0;
    int NumeroSequencialRegistro = 0;
    QString IdentificacaoCliente;
};

class TRegistroDetailNew final : public TRegistroDetail
{
public:
    void getDetails(QStringList &AList) const override;
    void Clear() override { Details.clear(); }

    std::vector<TItemDeailNew> Details;
};

class TRegistroDetailPag final : public TRegistroDetail
{
public:
    void getDetails(QStringList &AList) const override;
    void Clear() override { Details.clear(); }

    std::vector<TItemDeailPag> Details;
};

class TRegistroTrailer
{
public:
    virtual ~TRegistroTrailer() = default;
    virtual QString getTrailer() const { return QStringLiteral("T"); }
    virtual void Clear() { }
};

class TRegistroTrailerPag final : public TRegistroTrailer
{
public:
    QString getTrailer() const override;
    void Clear() override;

    int TotalRegistrosEnviados = 0;
    double TotalValorTitulo = 0.0;
};

// A generated file: its name and its bytes (Windows-1252, CR LF after every record, no BOM).
struct TLayoutFile
{
    QString FileName;
    // The records, and the same records in Windows-1252 with CR LF after each one.
    QStringList Lines;
    QByteArray Bytes;
};

class TLayoutMapfre
{
public:
    virtual ~TLayoutMapfre() = default;
    TLayoutMapfre(const TLayoutMapfre &) = delete;
    TLayoutMapfre &operator=(const TLayoutMapfre &) = delete;

    TLayoutMapfre &Clear();
    TLayoutMapfre &SetIdLote(std::int64_t AIdLote);
    TLayoutMapfre &SetPath(const QString &APath);
    TLayoutMapfre &SetIsEnviarFTP(bool Value);
    // Reads the rows, builds the file and writes it into Path (an existing file of the same name
    // is replaced). Any failure leaves IsSuccess false and raises
    // "WARNING:Não foi possível gerar o arquivo.\r\n" followed by its own message.
    TLayoutMapfre &Execute();
    bool IsSuccess() const { return m_isSuccess; }

    // The file the records filled so far give.
    TLayoutFile BuildFile();

    int OrdemDia = 0;
    TDateTime DataGeracao;
    TTypeLayoutMapfre TypeLayout = TTypeLayoutMapfre::tlNew;
    QString Path;
    QString CodigoPlano;
    std::int64_t IdLote = 0;
    bool IsEnviarFTP = false;
    TSeguradoraEntity Seguradora;

    TRegistroHeader *Header = nullptr;
    TRegistroDetail *Detail = nullptr;
    TRegistroTrailer *Trailer = nullptr;

protected:
    TLayoutMapfre() = default;
    // Reads the batch's rows and fills the records.
    virtual void fillLayout() = 0;

    // What the first row of a batch gives: the SFTP access, the header's codes and dates, the
    // daily order and the shipment number.
    template<class TRow>
    void fillFromFirstRow(const TRow &ARow);

private:
    bool m_isSuccess = false;
};

class TNewLayoutMapfre final : public TLayoutMapfre
{
public:
    TNewLayoutMapfre();
    static std::unique_ptr<TNewLayoutMapfre> New() { return std::make_unique<TNewLayoutMapfre>(); }
    // Fills the records from the batch's rows (none: the cleared header and the trailer).
    void fillRows(const TObjectList<TLayoutMapfreNewDto> &ARows);

protected:
    void fillLayout() override;

private:
    TRegistroHeader m_header;
    TRegistroDetailNew m_detail;
    TRegistroTrailer m_trailer;
};

class TPagLayoutMapfre final : public TLayoutMapfre
{
public:
    // The title value written on every draw number.
    static constexpr double ValorTituloFixo = 0.53333333;

    TPagLayoutMapfre();
    static std::unique_ptr<TPagLayoutMapfre> New() { return std::make_unique<TPagLayoutMapfre>(); }
    void fillRows(const TObjectList<TLayoutMapfrePagDto> &ARows);

protected:
    void fillLayout() override;

private:
    TRegistroHeaderPag m_header;
    TRegistroDetailPag m_detail;
    TRegistroTrailerPag m_trailer;
};
