#pragma once

#include <QString>

#include <boost/describe/class.hpp>

#include <memory>

// The public postal-code service's reply for one code. Used here: Logradouro (street), Bairro
// (neighbourhood), Localidade (city), Uf (state abbreviation), Ibge (the city's IBGE code) and
// Ddd (telephone area code); the others are carried only. Each field is read from the reply
// member of its name with a lower first letter.
class TCEP final
{
public:
    // The request builder's own time-out, in milliseconds.
    static constexpr int DefaultTimeOut = 30000;

    QString Logradouro;
    QString Ibge;
    QString Bairro;
    QString Ddd;
    QString Uf;
    QString Cep;
    QString Siafi;
    QString Localidade;
    QString Complemento;
    QString Gia;

    // GET <base address of the section "API-CEP" of zunta_conf.ini>/ws/<ACep>/json/, directly:
    // no token and none of the back end's headers. ACep is the code as the caller passes it
    // (digits only). Raises "WARNING:Informações não localizadas." when no base address is
    // configured or the service cannot be reached (refused, not resolved, time-out), and
    // "WARNING:A informação de CEP não foi localizada." when the reply is not a JSON object
    // answered with 200 or carries the member "erro" (a code the service does not know).
    static std::unique_ptr<TCEP> Search(const QString &ACep, int ATimeOut = DefaultTimeOut);

    // Empties the ten fields.
    TCEP &Clear();
};
BOOST_DESCRIBE_STRUCT(TCEP,
                      (),
                      (Logradouro, Ibge, Bairro, Ddd, Uf, Cep, Siafi, Localidade, Complemento, Gia))
