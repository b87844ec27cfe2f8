program P;
begin
  Halt;
end.
