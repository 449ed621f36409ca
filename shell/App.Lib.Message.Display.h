#pragma once

#include "App.Lib.Message.Form.h"
#include "Desktop.h"

#include <QString>

// One message as the message window shows it, taken apart from the prefixed text.
struct TMessageRequest
{
    QString Message; // the text as the caller gave it, prefix included
    TMessageType Kind = TMessageType::mtError;
    QString Text; // what the window shows: without prefixes, log and hidden parts
    QString FileLog; // "File Log:" and what follows it, or empty
    QString TitleForm; // the window title of a tagged exception, or empty
    bool IsInitializateApp = false; // the change-of-user question and the re-login warning

    QString Caption() const { return MessageTypeTitle(Kind); }
};

// The way every message reaches the person: by default the message window (TFormMessage), in
// tests a scripted display that records the message and answers for the person (1, 6 or 7).
class TMessageDisplay : public TDesktopSeam<TMessageDisplay>
{
public:
    virtual ~TMessageDisplay();
    virtual int Show(const TMessageRequest &request);
};
