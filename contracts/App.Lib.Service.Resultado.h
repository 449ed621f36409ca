#pragma once

#include <QString>

class TBaseService;

// How the contract actions that report their own outcome read the last reply of their service.
class TServiceResultado
{
public:
    // "ERROR:Houve um problema e não foi possível retornar a requisição solicitada."
    static const QString &ProblemaText();

    // Shows "SUCCESSOperação realizada com sucesso." for status 200; otherwise, when AShowReply
    // is set and the reply has a text, that text (as the base service reads it), else the
    // problem text. Raises nothing for a refusal and returns whether the status was 200, so a
    // caller can keep the user's input. Callable from a worker thread: the message waits for
    // the main thread.
    static bool ShowResultado(const TBaseService &AService, bool AShowReply);

    // For status 200 nothing; otherwise raises the reply's text, or the problem text for an
    // empty reply.
    static void RaiseUnless200(const TBaseService &AService);
};
