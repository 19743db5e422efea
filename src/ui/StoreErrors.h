#pragma once

#include <functional>

class Prompts;

// Runs work; a store error it throws is reported to the user ("number - description") instead
// of leaving the caller, which is a Qt slot or event handler. False when one was reported.
bool ReportStoreErrors(Prompts &prompts, const std::function<void()> &work);
