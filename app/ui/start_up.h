// The program's start: the splash for 500 ms, then the main window.
#pragma once

class Main_Form;
class Splash_Form;

// Shows the splash; its first tick loads and shows the main window, then the splash
// closes.
void Start_Up(Splash_Form& splash, Main_Form& main_form);
