// Ctrl-C at the prompt: while a line is being read at a terminal, SIGINT interrupts
// the read instead of ending the tool, so that the line being typed is dropped and a
// fresh prompt shown, as a shell does. Outside the read it ends the tool as before.
#ifndef VEXAR_INTERRUPT_H
#define VEXAR_INTERRUPT_H

namespace vexar {

// Catches SIGINT for as long as it lives (without restarting the read it interrupts);
// the handler in force before comes back when it goes. Windows builds catch nothing.
class PromptRead {
  public:
    PromptRead();
    ~PromptRead();
    PromptRead(const PromptRead &) = delete;
    PromptRead &operator=(const PromptRead &) = delete;

    // True once SIGINT arrived while this read was waiting.
    bool interrupted() const;
};

}  // namespace vexar

#endif
