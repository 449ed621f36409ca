#include "Common.Lib.LiberacaoDispositivo.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

TEST(LiberacaoDispositivoTest, WritesEveryMemberInFieldOrderWithPlainSlashes)
{
    TLiberacaoDispositivo payload;
    payload.IdEmpresa = 2;
    payload.Empresa = QStringLiteral("Funerária Paz");
    payload.CnpjEmpresa = QStringLiteral("12.345.678/0001-90");
    payload.IdUsuario = 15;
    payload.Usuario = QStringLiteral("ana");
    payload.UrlBase = QStringLiteral("https://api.exemplo.com.br:8443/zunta");
    payload.Token = QStringLiteral("a+b/c=");

    const QString expected = QStringLiteral(
        R"({"idEmpresa":2,"empresa":"Funerária Paz","idUsuario":15,"usuario":"ana",)"
        R"("urlBase":"https://api.exemplo.com.br:8443/zunta","token":"a+b/c=","idAssociado":0,)"
        R"("loginAssociado":"","nomeAssociado":"","numeroContrato":0,"idContrato":0,)"
        R"("cpfAssociado":"","logo":"","cnpjEmpresa":"12.345.678/0001-90","corBarra":"",)"
        R"("layoutCartaoDesconto":"","corTelaInicial":"","nameClass":"TLiberacaoDispositivo"})");
    EXPECT_EQ(payload.QrText(), expected);
    // The JSON text itself keeps the escaped solidus; only the QR text drops it.
    EXPECT_TRUE(payload.AsJson().contains(QStringLiteral("https:\\/\\/")));
}

TEST(LiberacaoDispositivoTest, NamesOutsideLatin1ReachTheDeviceAsEscapesItReadsBack)
{
    TLiberacaoDispositivo payload;
    payload.NomeAssociado = QStringLiteral("ŁUKASZ – SILVA \U0001F600");
    payload.Empresa = QStringLiteral("Funerária Paz");

    const QString text = payload.QrText();

    // Every character fits the code's ISO-8859-1, and the JSON reads back to the same names.
    for (const QChar c : text)
        EXPECT_LE(c.unicode(), 0xFF) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\\u0141UKASZ \\u2013 SILVA"))) << text.toStdString();
    const QJsonObject read = QJsonDocument::fromJson(text.toUtf8()).object();
    EXPECT_EQ(read.value("nomeAssociado").toString(), payload.NomeAssociado);
    EXPECT_EQ(read.value("empresa").toString(), QStringLiteral("Funerária Paz"));
}

} // namespace
