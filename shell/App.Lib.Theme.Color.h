#pragma once

#include "AlphaColor.h"

// The colours of the interface. The theme sets them once, when it is created.
class TColorApp
{
public:
    TAlphaColor PrimaryColor = 0;
    TAlphaColor SecondaryColor = 0;
    TAlphaColor BackgroundColor = 0;
    TAlphaColor TertiaryColor = 0;
    TAlphaColor ZebraSecondaryColor = 0;
    TAlphaColor QuartenaryColor = 0;
    TAlphaColor ZebraPrimaryColor = 0;
    TAlphaColor StatusBarColor = 0;
    TAlphaColor TextPrimaryColor = 0;
    TAlphaColor TextSecondaryColor = 0;
    TAlphaColor BackgroundColor2 = 0;
    TAlphaColor MessageWarningColor = 0;
    TAlphaColor MessageErrorColor = 0;
    TAlphaColor MessageInformationColor = 0;
    TAlphaColor MessageQuestionColor = 0;
    TAlphaColor MessageSuccessColor = 0;
    TAlphaColor MessageAlertColor = 0;
};
