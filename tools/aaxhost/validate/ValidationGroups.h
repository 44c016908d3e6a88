#pragma once
// The validator's check groups, run in this order by "aaxhost validate". Each adds its
// checks to the run through Validation::Run / Skip. [ui-thread]

#include "aaxhost/validate/Validation.h"

namespace aaxhost::validate {

void RunLoadChecks(Validation& validation);        // LoadChecks.cpp
void RunInstanceChecks(Validation& validation);    // InstanceChecks.cpp
void RunParameterChecks(Validation& validation);   // ParameterChecks.cpp
void RunProcessingChecks(Validation& validation);  // ProcessingChecks.cpp
void RunStateChecks(Validation& validation);       // StateChecks.cpp
void RunEditorChecks(Validation& validation);      // EditorChecks.cpp
void RunAudioSuiteChecks(Validation& validation);  // AudioSuiteChecks.cpp
void RunThreadingChecks(Validation& validation);   // ThreadingChecks.cpp

}  // namespace aaxhost::validate
