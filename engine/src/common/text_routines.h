// Small text routines of the engine.
#pragma once
